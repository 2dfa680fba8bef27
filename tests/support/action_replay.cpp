#include "action_replay.h"

#include <string_view>

#include "core/control_ids.h"

namespace tarnvik::testing_support {

namespace {

const int kLists[] = {id::kSensorType, id::kGasType, id::kCutoffList, id::kSection, id::kRange};
// Input boxes and, to check they refuse input, some read-only ones.
const int kBoxes[] = {
    id::kDiameter,         id::kReferenceTemperature, id::kReferencePressure, id::kGasConstant,
    id::kProcessPressure,  id::kProcessTemperature,   id::kProcessHumidity,   id::kInletPressure,
    id::kInletTemperature, id::kInletHumidity,        id::kMaxFlow,           id::kProfileFactor};
const int kRadios[] = {id::kUnitM3h,        id::kUnitM3min,      id::kUnitLmin,
                       id::kUnitLs,         id::kUnitCfm,        id::kUnitKgh,
                       id::kUnitKgmin,      id::kUnitKgs,        id::kUnitLbh,
                       id::kUnitTh,         id::kFlowTypeFlow,   id::kFlowTypeActual,
                       id::kFlowTypeDryAir, id::kFlowTypeFad,    id::kStandardReference,
                       id::kNormReference,  id::kCustomReference};

const std::string& LongText() {
    static const std::string text(5000, '9');
    return text;
}

std::string Text(std::uint8_t pick, const std::uint8_t*& data, std::size_t& size) {
    static const std::string_view kTexts[] = {
        "",      "-",    "1e39",  "nan",   "12,5", "-1.5",         "0",     "-1",
        "7",     "inf",  "-inf",  "0x1p3", "  25", "1,2,3",        "300.5", "-273.15",
        "1e-45", "54.1", "200.1", "16.5",  "-0.9", "\xff\xfe\x80", "6.0",   "100",
    };
    constexpr std::size_t kCount = sizeof kTexts / sizeof kTexts[0];
    if (pick < kCount) return std::string(kTexts[pick]);
    if (pick == kCount) return LongText();
    // Otherwise raw bytes from the stream, UTF-8 or not.
    std::size_t n = pick % 12;
    if (n > size) n = size;
    std::string raw(reinterpret_cast<const char*>(data), n);
    data += n;
    size -= n;
    return raw;
}

std::uint8_t Take(const std::uint8_t*& data, std::size_t& size) {
    if (size == 0) return 0;
    --size;
    return *data++;
}

}  // namespace

ActionReplay::ActionReplay() {
    Fresh();
}

void ActionReplay::Fresh() {
    dlg_ = std::make_unique<CTarnvikDlg>("tarnvik");
    dlg_->Window().SetMessageBoxHook([this](std::string_view, std::string_view) { ++messages_; });
    dlg_->OnInitDialog();
}

bool ActionReplay::Step(const std::uint8_t*& data, std::size_t& size) {
    if (size == 0) return false;
    platform::Dialog& w = dlg_->Window();
    const std::uint8_t op = Take(data, size);
    const std::uint8_t a = Take(data, size);
    const std::uint8_t b = Take(data, size);
    ++actions_;
    switch (op % 16) {
        case 0:
        case 1:
        case 2:
        case 3: {
            const int list = kLists[a % std::size(kLists)];
            // Include positions just outside the list.
            const int index = static_cast<int>(b % (w.ItemCount(list) + 2)) - 1;
            last_ = "choose " + std::to_string(list) + " #" + std::to_string(index);
            w.UserChoose(list, index);
            break;
        }
        case 4:
        case 5:
        case 6:
        case 7:
        case 8: {
            const int box = kBoxes[a % std::size(kBoxes)];
            const std::string text = Text(b, data, size);
            last_ = "type " + std::to_string(box) + " '" + text.substr(0, 20) + "'";
            w.UserType(box, text);
            break;
        }
        case 9:
        case 10: {
            const int box = kBoxes[a % std::size(kBoxes)];
            const std::string text = Text(b, data, size);
            last_ = "type chars " + std::to_string(box) + " '" + text.substr(0, 20) + "'";
            w.UserTypeChars(box, text.substr(0, 64));
            break;
        }
        case 11:
        case 12:
        case 13:
        case 14: {
            const int radio = kRadios[a % std::size(kRadios)];
            last_ = "click " + std::to_string(radio);
            w.UserClick(radio);
            break;
        }
        default:
            // Ending the window is rare, so that sequences run long.
            if (a % 8 == 0) {
                last_ = b % 2 ? "enter" : "escape";
                if (b % 2) {
                    w.UserEnter();
                } else {
                    w.UserEscape();
                }
                if (w.Ended()) Fresh();
            } else {
                last_ = "nothing";
            }
            break;
    }
    return true;
}

}  // namespace tarnvik::testing_support

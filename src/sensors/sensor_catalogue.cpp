#include "sensors/sensor_catalogue.h"

#include <cstddef>

namespace tarnvik {

const std::string_view SensorNames[kSensorCount] = {"QA10", "QA20", "QA30", "QA40",   "QA50",
                                                    "QA60", "QA70", "QA80", "QA20-V", "QA90"};

namespace {

const std::string_view SectionsDN8toDN32[] = {"DN8", "DN15", "DN20", "DN25", "DN32"};
const std::string_view SectionsDN8toDN80[] = {"DN8",  "DN15", "DN20", "DN25", "DN32",
                                              "DN40", "DN50", "DN65", "DN80"};
const std::string_view SectionsDN15toDN80[] = {"DN15", "DN20", "DN25", "DN32",
                                               "DN40", "DN50", "DN65", "DN80"};

const std::string_view RangesLSMHS[] = {"L", "S", "M", "HS"};
const std::string_view RangesLS[] = {"L", "S"};
const std::string_view RangesSHS[] = {"S", "HS"};

const float InnerDiameter5[] = {15.0f, 15.0f, 25.0f, 25.0f, 32.0f};
const float InnerDiameter8[] = {16.1f, 21.7f, 27.3f, 36.0f, 41.9f, 53.1f, 68.9f, 80.9f};
const float InnerDiameter9[] = {8.8f, 16.1f, 21.7f, 27.3f, 36.0f, 41.9f, 53.1f, 68.9f, 80.9f};

const float VmaxSectionL5[] = {7.15f, 28.58f, 18.21f, 31.86f, 32.152f};
const float VmaxSectionS5[] = {35.73f, 142.9f, 91.03f, 159.3f, 160.767f};
const float VmaxRange4[] = {30.9f, 92.7f, 185.0f, 224.0f};
const float VmaxSectionL8[] = {61.01f, 58.95f, 60.68f, 58.02f, 58.98f, 51.49f, 45.15f, 54.26f};
const float VmaxSectionS8[] = {183.02f, 176.85f, 182.04f, 174.05f,
                               176.94f, 154.48f, 135.46f, 162.77f};
const float VmaxRange2[] = {200.0f, 260.0f};
const float VmaxSection9[] = {44.65f,  183.02f, 176.85f, 182.04f, 167.09f,
                              139.73f, 139.03f, 92.7f,   92.7f};

using Names = std::span<const std::string_view>;
using Diameters = std::span<const float>;

const SensorInfo Catalogue[kSensorCount] = {
    {"QA10", SectionsDN8toDN32, InnerDiameter5, RangesLS, 1, 50},
    {"QA20", SectionsDN8toDN32, InnerDiameter5, RangesLS, 1, 100},
    {"QA30", Names{}, Diameters{}, RangesLSMHS, 1, 250},
    {"QA40", SectionsDN15toDN80, InnerDiameter8, RangesLS, 1, 250},
    {"QA50", Names{}, Diameters{}, RangesLSMHS, 1, 250},
    {"QA60", SectionsDN15toDN80, InnerDiameter8, RangesLSMHS, 1, 250},
    {"QA70", Names{}, Diameters{}, RangesSHS, 0, 0},
    {"QA80", SectionsDN8toDN80, InnerDiameter9, Names{}, -1, 250},
    // QA20-V is made in DN8 to DN25 only.
    {"QA20-V", Names{SectionsDN8toDN32}.first(4), Diameters{InnerDiameter5}.first(4), Names{}, -1,
     100},
    {"QA90", Names{}, Diameters{}, RangesSHS, 0, 0},
};

template <std::size_t N>
float At(const float (&table)[N], int position) {
    if (position < 0 || static_cast<std::size_t>(position) >= N) return 0.0f;
    return table[position];
}

}  // namespace

const SensorInfo& GetSensorInfo(int sensor) {
    return Catalogue[sensor];
}

float SectionDiameter(int sensor, int section) {
    if (sensor < 0 || sensor >= kSensorCount) return 0.0f;
    const Diameters d = Catalogue[sensor].innerDiameters;
    if (section < 0 || static_cast<std::size_t>(section) >= d.size()) return 0.0f;
    return d[section];
}

float LookupMaxVelocity(int sensor, int section, int range) {
    switch (sensor) {
        case kQA20V:
            return At(VmaxSectionL5, section);
        case kQA10:
        case kQA20:
            return range == 0 ? At(VmaxSectionL5, section) : At(VmaxSectionS5, section);
        case kQA30:
        case kQA50:
        case kQA60:
            return At(VmaxRange4, range);
        case kQA40:
            return range == 0 ? At(VmaxSectionL8, section) : At(VmaxSectionS8, section);
        case kQA70:
        case kQA90:
            return At(VmaxRange2, range);
        case kQA80:
            return At(VmaxSection9, section);
        default:
            return 0.0f;
    }
}

}  // namespace tarnvik

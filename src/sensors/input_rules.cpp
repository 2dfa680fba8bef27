// Which inputs the user may touch, by sensor type and gas.
#include "core/control_ids.h"
#include "gases/gas_table.h"
#include "sensors/sensor_positions.h"
#include "ui/tarnvik_dlg.h"

namespace tarnvik {

void CTarnvikDlg::ApplyInputRules() {
    window_.Enable(id::kCutoffList, false);
    for (int radio :
         {id::kFlowTypeFlow, id::kFlowTypeDryAir, id::kFlowTypeActual, id::kFlowTypeFad}) {
        window_.Enable(radio, false);
        window_.SetCheck(radio, false);
    }
    for (int box : {id::kProcessPressure, id::kProcessTemperature, id::kProcessHumidity,
                    id::kInletPressure, id::kInletTemperature, id::kInletHumidity})
        window_.Enable(box, false);

    if (IsProcessSensor(state_.SensorIndex)) {
        const bool air = window_.GetSelection(id::kGasType) == kGasAir;
        window_.Enable(id::kCutoffList, true);
        window_.Enable(id::kProcessPressure, true);
        window_.Enable(id::kProcessTemperature, true);
        // Humidity and the inlet conditions only matter for air.
        for (int box :
             {id::kProcessHumidity, id::kInletPressure, id::kInletTemperature, id::kInletHumidity})
            window_.Enable(box, air);
        window_.Enable(id::kFlowTypeFlow, true);
        window_.SetCheck(id::kFlowTypeFlow, true);
        window_.Enable(id::kFlowTypeActual, true);
        window_.Enable(id::kFlowTypeDryAir, air);
        window_.Enable(id::kFlowTypeFad, air);
        window_.Enable(id::kUnitTh, true);
        window_.Enable(id::kUnitLbh, true);
        state_.FlowType = 0;
    } else {
        // These types show the flow at reference conditions only; a flow
        // type left over from QA70/QA90 would word the unit labels wrongly.
        state_.FlowType = 0;
        bool fallback = false;
        for (int radio : {id::kUnitTh, id::kUnitLbh}) {
            window_.Enable(radio, false);
            if (window_.GetCheck(radio)) {
                window_.SetCheck(radio, false);
                fallback = true;
            }
        }
        if (fallback) {
            window_.SetCheck(id::kUnitM3h, true);
            state_.UnitCode = 14;
            UpdateUnitLabels();
        }
    }

    window_.Enable(id::kReferenceTemperature, true);
    window_.Enable(id::kReferencePressure, true);
}

}  // namespace tarnvik

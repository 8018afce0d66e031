// The per-channel rows of controls through which the shared parameter
// handlers reach the control of one channel: element i of a row is the
// control of channel i+1 (ADC 1..4, encoder 1..2, MATH 1..2, output T1..T6,
// register type 1..2).
#pragma once

#include <array>

class QComboBox;
class QLineEdit;

namespace trv630 {

struct ControlTable {
    std::array<QComboBox*, 4> adc_mode{};
    std::array<QLineEdit*, 4> adc_filter1{};
    std::array<QLineEdit*, 4> adc_filter2{};
    std::array<QLineEdit*, 4> adc_coeff{};
    std::array<QLineEdit*, 4> adc_offset{};
    std::array<QLineEdit*, 4> adc_offset2{};
    std::array<QComboBox*, 2> enc_mode{};
    std::array<QLineEdit*, 2> enc_time{};
    std::array<QLineEdit*, 2> enc_resolution{};
    std::array<QLineEdit*, 2> enc_coeff{};
    std::array<QLineEdit*, 2> enc_offset{};
    std::array<QComboBox*, 2> math_mode{};
    std::array<QComboBox*, 2> math_m_mode{};
    std::array<QLineEdit*, 2> math_offset{};
    std::array<QLineEdit*, 2> math_calib{}; ///< used only by the calibration buttons
    std::array<QComboBox*, 6> out_W{};      ///< source
    std::array<QComboBox*, 6> out_B{};      ///< condition 1
    std::array<QLineEdit*, 6> out_N{};      ///< value 1
    std::array<QComboBox*, 6> out_T{};      ///< combination
    std::array<QComboBox*, 6> out_C{};      ///< condition 2
    std::array<QLineEdit*, 6> out_M{};      ///< value 2
    std::array<QComboBox*, 6> out_S{};      ///< state
    std::array<QComboBox*, 2> trig_master_type{};
};

} // namespace trv630

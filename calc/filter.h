#pragma once

#include <string>
#include <string_view>

// Sizing of the reservoir capacitor behind a full-wave bridge rectifier.
//
// The capacitor charges to the crest of a rectified half-wave and then
// discharges through the load, k = e^(-t/(R*C)), until the next half-wave
// climbs back to the fraction k of the crest; k = 1 - ripple/100. That takes
// a quarter period (crest to zero) plus the time the next half-wave needs to
// rise from zero to k.

enum class Mains_frequency { hz_50, hz_60 };

struct Filter_inputs {
    double dc_voltage = 0;      // volts on the capacitor and load
    double load_current = 0;    // amperes
    double ripple_percent = 0;  // percent of the crest voltage
    Mains_frequency frequency = Mains_frequency::hz_50;
};

struct Filter_result {
    double ripple_factor = 0;      // k
    double discharge_time = 0;     // seconds
    double load_resistance = 0;    // ohms
    double capacitance = 0;        // farads
    double secondary_voltage = 0;  // volts RMS the transformer must deliver
    std::string capacitance_text;  // microfarads, as the field shows it
    std::string secondary_text;    // volts RMS, as the field shows it
};

// Throws Run_time_error on the first step that faults, so that two bad
// inputs report the earlier step's error. `decimal_separator` is the user's,
// for the pattern stage of the texts.
Filter_result compute_filter(const Filter_inputs &inputs, std::string_view decimal_separator);

// Degrees Celsius and Fahrenheit, kelvin and rankine: the one conversion every
// window, table and printout uses.
#pragma once

namespace drel {

constexpr double celsiusNachFahrenheit(double c) {
    return c * 9.0 / 5.0 + 32.0;
}
constexpr double fahrenheitNachCelsius(double f) {
    return (f - 32.0) * 5.0 / 9.0;
}
// Temperature differences.
constexpr double kelvinNachRankine(double k) {
    return k * 9.0 / 5.0;
}
constexpr double rankineNachKelvin(double r) {
    return r * 5.0 / 9.0;
}

} // namespace drel

#pragma once

// Control ids of the main window, as a person would know them from its dialog template.
namespace e2e::id {

constexpr int kAreaFrame = 1000;
constexpr int kLocX = 1004;
constexpr int kLocY = 1005;
constexpr int kLocWidth = 1006;
constexpr int kLocHeight = 1007;
constexpr int kRandomDelayFrom = 1009;
constexpr int kRandomDelayRadio = 1010;
constexpr int kRandomDelayTo = 1011;
constexpr int kFixedDelayRadio = 1012;
constexpr int kFixedDelay = 1013;
constexpr int kAtCursorRadio = 1014;
constexpr int kInRectangleRadio = 1015;
constexpr int kAnywhereRadio = 1016;
constexpr int kUntilStoppedRadio = 1017;
constexpr int kStopAfterRadio = 1018;
constexpr int kClickCount = 1019;
constexpr int kLabelX = 1020;
constexpr int kLabelY = 1021;
constexpr int kLabelWidth = 1022;
constexpr int kLabelHeight = 1023;
constexpr int kSpinLocX = 1024;
constexpr int kSpinLocWidth = 1026;
constexpr int kClicksLabel = 1029;
constexpr int kSpinClickCount = 1030;
constexpr int kAndLabel = 1034;
constexpr int kStatusLine = 1035;
constexpr int kLeftClickRadio = 1036;
constexpr int kRightClickRadio = 1037;
constexpr int kLeftDoubleRadio = 1038;
constexpr int kRightDoubleRadio = 1039;
constexpr int kMiddleClickRadio = 1040;
constexpr int kFixedDelayUnit = 1047;
constexpr int kRandomDelayUnit = 1048;
constexpr int kPickAreaButton = 1050;

}  // namespace e2e::id

#pragma once
// Ids shared by the picker's code and its resource script.

#define IDI_AREAPICK 1

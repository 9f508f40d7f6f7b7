#pragma once
// The about box: the program's name, version and how to reach us.

#include "platform/dialog.h"

class CDlgAbout : public quorvel::win::Dialog {
public:
    CDlgAbout();
};

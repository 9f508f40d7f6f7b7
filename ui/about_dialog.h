#pragma once
// The about box: the program's name, version and how to reach us.

#include "platform/dialog.h"

namespace quorvel::ui {

class CDlgAbout : public quorvel::win::Dialog {
public:
    CDlgAbout();
};

}  // namespace quorvel::ui

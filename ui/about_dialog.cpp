#include "ui/about_dialog.h"

#include "res/resource.h"

namespace quorvel::ui {

CDlgAbout::CDlgAbout() : Dialog(IDD_ABOUT) {}

}  // namespace quorvel::ui

#include "ui/about_dialog.h"

#include "res/resource.h"

CDlgAbout::CDlgAbout() : Dialog(IDD_ABOUT) {}

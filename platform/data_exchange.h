#pragma once
// One pass of data exchange between a dialog's controls and its members. After a field refuses
// its text the pass is failed and every later call does nothing.

#include <windows.h>

namespace quorvel::win {

class Control;
class Dialog;

class DataExchange {
public:
    DataExchange(Dialog& dialog, bool saveAndValidate);

    bool failed() const { return failed_; }

    // An integer field. Towards the controls the text is set only when it differs.
    void Text(int id, int& value);
    // The radio group that starts at firstId (WS_GROUP) and runs to the next WS_GROUP control;
    // its buttons are numbered in template order, -1 when none is set.
    void Radio(int firstId, int& value);
    // A check box: 1 checked, 0 not.
    void Check(int id, int& value);
    // The selected position of a drop-down list; -1 none; out of range selects nothing.
    void CBIndex(int id, int& value);
    // Attaches the dialog's control to the object at the first exchange.
    void Control(int id, win::Control& control);

private:
    void Refuse(HWND field);

    Dialog& dialog_;
    bool saving_;
    bool failed_ = false;
};

}  // namespace quorvel::win

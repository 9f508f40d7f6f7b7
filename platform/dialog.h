#pragma once
// The dialog base: owns the HWND of one dialog made from a template and routes its messages to
// virtual handlers.

#include <windows.h>

namespace quorvel::win {

class DataExchange;

class Dialog {
public:
    explicit Dialog(int templateId);
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;
    virtual ~Dialog();  // destroys a still-existing modeless window

    bool Create(HWND parent);      // modeless; OnInitDialog runs inside
    INT_PTR DoModal(HWND parent);  // modal; returns EndDialog's result, -1 when it cannot start

    HWND hwnd() const { return hwnd_; }
    HWND GetDlgItem(int id) const;

    bool UpdateData(bool saveAndValidate);  // false when a field refused its text
    void EndDialog(INT_PTR result);
    bool DestroyWindow();

    virtual bool PreTranslateMessage(MSG* msg);  // keyboard navigation

protected:
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(DataExchange& dx);
    virtual void OnOK();
    virtual void OnCancel();

    // The window's own bindings, one switch per window. Returns true when it handled the
    // message; result is then the answer. Runs before default dialog processing, which matters
    // where WM_USER + 1 and + 2 collide with DM_SETDEFID and DM_REPOSITION.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // What OnMessage leaves comes here. The base answers "not handled", so that default dialog
    // processing follows; an override does its work and then returns the base's answer.
    virtual bool DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void OnFinalDestroy();

    int templateId_;
    bool modal_ = false;
    HWND hwnd_ = nullptr;
};

}  // namespace quorvel::win

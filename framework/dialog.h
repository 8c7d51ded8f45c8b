// CDialog: a dialog from a template of the program's resources, modal or modeless.
#pragma once
#include "framework/window.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId = 0, CWnd* parent = nullptr) : templateId_(templateId), parent_(parent) {}

    // Modeless: creates the dialog and returns at once.
    BOOL Create(UINT templateId, CWnd* parent = nullptr);
    INT_PTR DoModal();
    void EndDialog(INT_PTR result) { ::EndDialog(m_hWnd, result); }

    // Runs the first data exchange into the controls; the focus result of
    // WM_INITDIALOG.
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

protected:
    DECLARE_MESSAGE_MAP()

    // The dialog procedure: attaches the object when the dialog starts.
    static INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void OnOKCommand() { OnOK(); }
    void OnCancelCommand() { OnCancel(); }

    UINT templateId_;
    CWnd* parent_;
};

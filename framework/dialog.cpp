#include "framework/dialog.h"

#include "framework/application.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOKCommand)
    ON_COMMAND(IDCANCEL, OnCancelCommand)
END_MESSAGE_MAP()

INT_PTR CALLBACK CDialog::DialogProcedure(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_INITDIALOG) return FALSE;
    CDialog* self = reinterpret_cast<CDialog*>(lParam);
    // From here on the dialog's messages run through the object's message map;
    // the dialog manager's own procedure is the default processing.
    self->SubclassWindow(dialog);
    return self->OnInitDialog();
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
    templateId_ = templateId;
    parent_ = parent;
    HWND dialog = ::CreateDialogParamA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(templateId),
                                       parent ? parent->m_hWnd : nullptr, &CDialog::DialogProcedure,
                                       reinterpret_cast<LPARAM>(this));
    return dialog != nullptr;
}

INT_PTR CDialog::DoModal() {
    return ::DialogBoxParamA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(templateId_),
                             parent_ ? parent_->m_hWnd : nullptr, &CDialog::DialogProcedure,
                             reinterpret_cast<LPARAM>(this));
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(TRUE)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

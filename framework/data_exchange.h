// Data exchange between a dialog's controls and its members (DDX), with the
// validation (DDV) that refuses a value and puts the focus back on its control.
#pragma once
#include <windows.h>

#include "framework/string.h"

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}

    // The control that the following DDV call validates.
    HWND PrepareCtrl(int id);
    // Tells the user, puts the focus on the last prepared control and stops the
    // rest of the exchange.
    void Fail(const char* prompt);
    bool Failed() const { return failed_; }
    HWND LastControl() const { return lastControl_; }

    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate;

private:
    HWND lastControl_ = nullptr;
    bool failed_ = false;
};

void DDX_Text(CDataExchange* exchange, int id, CString& value);
void DDX_Text(CDataExchange* exchange, int id, int& value);
void DDX_Text(CDataExchange* exchange, int id, char* buffer, int size);
void DDX_Check(CDataExchange* exchange, int id, int& value);
void DDX_Check(CDataExchange* exchange, int id, bool& value);

void DDV_MaxChars(CDataExchange* exchange, const CString& value, int maxChars);
void DDV_MinMaxInt(CDataExchange* exchange, int value, int minimum, int maximum);

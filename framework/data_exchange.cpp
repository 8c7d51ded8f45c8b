#include "framework/data_exchange.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "framework/window.h"

HWND CDataExchange::PrepareCtrl(int id) {
    lastControl_ = ::GetDlgItem(m_pDlgWnd->m_hWnd, id);
    return lastControl_;
}

void CDataExchange::Fail(const char* prompt) {
    if (failed_) return;
    failed_ = true;
    m_pDlgWnd->MessageBox(prompt, nullptr, MB_OK | MB_ICONEXCLAMATION);
    if (lastControl_ != nullptr) {
        ::SetFocus(lastControl_);
        ::SendMessageA(lastControl_, EM_SETSEL, 0, -1);
    }
}

void DDX_Text(CDataExchange* exchange, int id, CString& value) {
    if (exchange->Failed()) return;
    HWND control = exchange->PrepareCtrl(id);
    if (exchange->m_bSaveAndValidate) {
        int length = ::GetWindowTextLengthA(control);
        ::GetWindowTextA(control, value.GetBuffer(length), length + 1);
        value.ReleaseBuffer();
    } else {
        ::SetWindowTextA(control, value);
    }
}

void DDX_Text(CDataExchange* exchange, int id, char* buffer, int size) {
    if (exchange->Failed()) return;
    HWND control = exchange->PrepareCtrl(id);
    if (exchange->m_bSaveAndValidate) {
        ::GetWindowTextA(control, buffer, size);  // cuts at size - 1 characters
    } else {
        ::SetWindowTextA(control, buffer);
    }
}

void DDX_Text(CDataExchange* exchange, int id, int& value) {
    if (exchange->Failed()) return;
    HWND control = exchange->PrepareCtrl(id);
    char text[64];
    if (exchange->m_bSaveAndValidate) {
        ::GetWindowTextA(control, text, sizeof text);
        char* end = nullptr;
        long number = std::strtol(text, &end, 10);
        while (end && (*end == ' ' || *end == '\t')) ++end;
        if (end == text || *end != '\0' || number < INT_MIN || number > INT_MAX) {
            exchange->Fail("Please enter an integer.");
            return;
        }
        value = static_cast<int>(number);
    } else {
        std::snprintf(text, sizeof text, "%d", value);
        ::SetWindowTextA(control, text);
    }
}

void DDX_Check(CDataExchange* exchange, int id, int& value) {
    if (exchange->Failed()) return;
    HWND control = exchange->PrepareCtrl(id);
    if (exchange->m_bSaveAndValidate) {
        value = static_cast<int>(::SendMessageA(control, BM_GETCHECK, 0, 0));
    } else {
        ::SendMessageA(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
    }
}

void DDX_Check(CDataExchange* exchange, int id, bool& value) {
    int state = value ? BST_CHECKED : BST_UNCHECKED;
    DDX_Check(exchange, id, state);
    value = state == BST_CHECKED;
}

void DDV_MaxChars(CDataExchange* exchange, const CString& value, int maxChars) {
    if (exchange->Failed()) return;
    if (exchange->m_bSaveAndValidate) {
        if (value.GetLength() > maxChars) {
            CString prompt;
            prompt.Format("Please enter no more than %d characters.", maxChars);
            exchange->Fail(prompt);
        }
    } else if (exchange->LastControl() != nullptr) {
        // A static control ignores this; an edit control then takes no more.
        ::SendMessageA(exchange->LastControl(), EM_LIMITTEXT, static_cast<WPARAM>(maxChars), 0);
    }
}

void DDV_MinMaxInt(CDataExchange* exchange, int value, int minimum, int maximum) {
    if (exchange->Failed() || !exchange->m_bSaveAndValidate) return;
    if (value < minimum || value > maximum) {
        CString prompt;
        prompt.Format("Please enter an integer between %d and %d.", minimum, maximum);
        exchange->Fail(prompt);
    }
}

#include <cstdint>

#include "framework/gdi.h"
#include "framework/window.h"
#include "power/power_control.h"
#include "power/power_requests.h"

namespace {

// The window's device context for the length of one escape.
class WindowDC : public CDC {
public:
    explicit WindowDC(CWnd* window) : window_(window ? window->GetSafeHwnd() : nullptr) {
        Attach(::GetDC(window_));
    }
    ~WindowDC() override {
        if (m_hDC != nullptr) ::ReleaseDC(window_, Detach());
    }

private:
    HWND window_;
};

bool EscapeSupported(CDC& dc) {
    const int32_t escape = kPowerEscape;
    return dc.ExtEscape(kQueryEscapeSupport, sizeof escape, reinterpret_cast<const char*>(&escape), 0, nullptr) != 0;
}

}  // namespace

bool DisplayEscapeAvailable(CWnd* window) {
    WindowDC dc(window);
    return dc.m_hDC != nullptr && EscapeSupported(dc);
}

DWORD SetPowerViaDisplayEscape(CWnd* window, PowerState mode) {
    if (!DisplayEscapeAvailable(window)) return EscapeUnavailableResult(mode);
    WindowDC dc(window);
    if (dc.m_hDC == nullptr) return EscapeUnavailableResult(mode);
    const DisplayEscapeRecord record = MakeDisplayEscapeRecord(mode);
    // Any non-zero result, negative ones too, means the display driver took it.
    return EscapeResultCode(
        dc.ExtEscape(kPowerEscape, sizeof record, reinterpret_cast<const char*>(&record), 0, nullptr));
}

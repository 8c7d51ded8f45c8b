#include "power/power_control.h"
#include "power/power_requests.h"
#include "saver/fatal_error.h"
#include "saver/text_table.h"
#include "settings/saver_settings.h"

namespace {

constexpr int kPowerFailureText = 42;
constexpr DWORD kSystemTextSize = 128;

}  // namespace

void ApplyPowerState(CWnd* window, PowerState mode) {
    const DWORD result = SaverSettings.useDisplayEscape ? SetPowerViaDisplayEscape(window, mode)
                                                        : SendPowerRequest(RequestFor(mode), nullptr, 0);
    if (result == ERROR_SUCCESS || SaverSettings.ignoreAdapterErrors) return;

    char systemText[kSystemTextSize];
    if (FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, result, 0, systemText, kSystemTextSize, nullptr) == 0)
        systemText[0] = '\0';  // a code the system has no text for

    FatalError(FormatPowerError(GetText(kPowerFailureText), systemText).c_str());
}

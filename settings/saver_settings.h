// The user's settings and the adapter's last capability report: one record per
// process, filled from the registry at start-up.
#pragma once

struct SaverSettingsRecord {
    int mouseSensitivity;      // pixels a mouse jump may span without ending the saver
    bool startBeforeLogon;
    int logonDelayMinutes;     // stored in seconds
    bool offEnabled;
    int offMinutes;
    bool suspendEnabled;
    int suspendMinutes;
    bool standbyEnabled;
    int standbyMinutes;
    bool announceEnabled;
    int announceSeconds;
    bool beepAtStart;
    bool playSoundAtStart;
    char soundFile[256];
    bool runOtherSaver;
    char otherSaverTitle[256];  // lower-case file title of a .scr in the system directory
    bool standbySupported;
    bool suspendSupported;
    bool reducedOnSupported;
    bool offSupported;
    bool powerSavingReported;
    bool overrideCapabilities;
    bool ignoreAdapterErrors;
    bool useDisplayEscape;
    char vesaMinorVersion[16];
    char vesaMajorVersion[16];
};

extern SaverSettingsRecord SaverSettings;

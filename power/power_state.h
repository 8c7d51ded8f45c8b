// The monitor power states the saver walks through, and the requests that the
// power device understands. A state's number is also the request that sets it.
#pragma once

enum PowerState : int {
    OtherScreensaver = 0,  // another screen saver runs; the monitor is On
    Standby = 1,
    Suspend = 2,
    Off = 4,
};

enum class PowerRequest : unsigned {
    On = 0,
    Standby = 1,
    Suspend = 2,
    Off = 4,
    ReducedOn = 8,
    ReadCapabilities = 16,
};

// The request that sets a state: the same number.
constexpr PowerRequest RequestFor(PowerState state) { return static_cast<PowerRequest>(state); }

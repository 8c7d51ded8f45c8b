// Quorlex: lets the screen saver reach the video BIOS's VBE/PM power
// functions. One exclusive device with a DOS link; every device control
// request is one complete BIOS call, completed synchronously.
#include <ntddk.h>

#include "driver/power_dispatch.h"
#include "driver/quorlex_device.h"

// ddk/video.h is written for miniports and does not build beside ntddk.h.
extern "C" {
__declspec(dllimport) ULONG NTAPI VideoPortInt10(PVOID HwDeviceExtension, quorlex::BiosRegisters* BiosArguments);
__declspec(dllimport) VOID NTAPI VideoPortZeroMemory(PVOID Destination, ULONG Length);
DRIVER_INITIALIZE DriverEntry;
}

namespace {

// Never written; the video port only wants some device extension to be given.
constexpr ULONG kDeviceExtensionSize = 4;

void ZeroBiosMemory(void* destination, uint32_t length) { VideoPortZeroMemory(destination, length); }

uint32_t CallInt10(void* deviceExtension, quorlex::BiosRegisters* registers) {
    return VideoPortInt10(deviceExtension, registers);
}

void MakeCountedNames(UNICODE_STRING* deviceName, UNICODE_STRING* linkName) {
    RtlInitUnicodeString(deviceName, quorlex::kDeviceName);
    RtlInitUnicodeString(linkName, quorlex::kLinkName);
}

NTSTATUS NTAPI DispatchRequest(PDEVICE_OBJECT device, PIRP request) {
    request->IoStatus.Information = 0;
    const PIO_STACK_LOCATION stack = IoGetCurrentIrpStackLocation(request);
    NTSTATUS status = STATUS_SUCCESS;  // open and close
    if (stack->MajorFunction == IRP_MJ_DEVICE_CONTROL) {
        const quorlex::VideoPort port{device->DeviceExtension, ZeroBiosMemory, CallInt10};
        const quorlex::RequestResult result = quorlex::DispatchDeviceControl(
            port, stack->Parameters.DeviceIoControl.IoControlCode, stack->Parameters.DeviceIoControl.OutputBufferLength,
            request->AssociatedIrp.SystemBuffer);
        status = static_cast<NTSTATUS>(result.status);
        request->IoStatus.Information = result.information;
    }
    request->IoStatus.Status = status;
    IoCompleteRequest(request, IO_NO_INCREMENT);
    return status;
}

VOID NTAPI DriverUnload(PDRIVER_OBJECT driver) {
    UNICODE_STRING deviceName, linkName;
    MakeCountedNames(&deviceName, &linkName);
    IoDeleteSymbolicLink(&linkName);
    IoDeleteDevice(driver->DeviceObject);
}

}  // namespace

extern "C" NTSTATUS NTAPI DriverEntry(PDRIVER_OBJECT driver, PUNICODE_STRING /*registryPath*/) {
    UNICODE_STRING deviceName, linkName;
    MakeCountedNames(&deviceName, &linkName);

    PDEVICE_OBJECT device = nullptr;
    NTSTATUS status = IoCreateDevice(driver, kDeviceExtensionSize, &deviceName, quorlex::kDeviceType, 0,
                                     TRUE /* exclusive */, &device);
    if (!NT_SUCCESS(status)) {
        if (device != nullptr) IoDeleteDevice(device);
        return status;
    }

    driver->MajorFunction[IRP_MJ_CREATE] = DispatchRequest;
    driver->MajorFunction[IRP_MJ_CLOSE] = DispatchRequest;
    driver->MajorFunction[IRP_MJ_DEVICE_CONTROL] = DispatchRequest;
    driver->DriverUnload = DriverUnload;

    status = IoCreateSymbolicLink(&linkName, &deviceName);
    // A failed entry is never unloaded: a device left behind here would keep
    // its name taken and make every later load fail.
    if (!NT_SUCCESS(status)) IoDeleteDevice(device);
    return status;
}

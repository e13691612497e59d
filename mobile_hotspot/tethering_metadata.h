// What Lumaret uses of the Windows Runtime's metadata for the Mobile Hotspot
// (Windows.Networking.NetworkOperators, Windows.Networking.Connectivity and
// Windows.Foundation): the interface IDs and the values of the enumerations,
// as the Windows SDK's headers carry them (windows.networking.
// networkoperators.h, windows.networking.connectivity.h,
// windows.foundation.h). The interfaces themselves are declared in
// tethering_api.h. Pure: no Windows header, so that a native test can check
// every IID that was computed rather than copied.
//
// How each IID was obtained:
//   - the plain interfaces' IIDs are those of the SDK headers, as recalled
//     from them (there is no SDK metadata on the build machine);
//   - the IIDs of Windows' COM base (IUnknown, IInspectable, IAgileObject,
//     IActivationFactory, IAsyncInfo) are also in MinGW's headers;
//   - the IIDs of the parameterized interfaces (an IAsyncOperation or a
//     completed handler of a given result) exist in no header: each is
//     computed from its signature by the documented Windows Runtime
//     algorithm (SHA-1 over the namespace GUID 11f47ad5-7b73-42c0-abae-
//     878b1e16adee followed by the signature in UTF-8; the first 16 bytes
//     of the hash, version 5 and the RFC 4122 variant set). The signature is
//     given beside each; mobile_hotspot/tests/tethering_metadata_test.cpp
//     computes every one again, and also IIDs Microsoft publishes, such as
//     IAsyncOperation<Boolean>'s, as a check of the algorithm itself.
//     IAsyncOperation<NetworkOperatorTetheringOperationResult>'s computed
//     IID is also the one remembered from the SDK.
//   - Windows' own RoGetParameterizedTypeInstanceIID would compute them at
//     run time, but Wine's is a stub; constants need nothing at run time.
#pragma once

#include <cstdint>

namespace lumaret {
namespace tethering {

// An interface ID, laid out as a GUID.
struct Iid {
  std::uint32_t data1;
  std::uint16_t data2;
  std::uint16_t data3;
  std::uint8_t data4[8];
};

// ---- COM and the Windows Runtime's base (also in MinGW's headers) ----------
constexpr Iid kIUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr Iid kIInspectable = {0xAF86E2E0, 0xB12D, 0x4C6A, {0x9C, 0x5A, 0xD7, 0xAA, 0x65, 0x10, 0x1E, 0x90}};
constexpr Iid kIAgileObject = {0x94EA2B94, 0xE9CC, 0x49E0, {0xC0, 0xFF, 0xEE, 0x64, 0xCA, 0x8F, 0x5B, 0x90}};
constexpr Iid kIActivationFactory = {0x00000035, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
constexpr Iid kIAsyncInfo = {0x00000036, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// ---- Windows.Foundation (windows.foundation.h) -----------------------------
constexpr Iid kIAsyncAction = {0x5A648006, 0x843A, 0x4DA9, {0x86, 0x5B, 0x9D, 0x26, 0xE5, 0xDF, 0xAD, 0x7B}};
constexpr Iid kAsyncActionCompletedHandler = {0xA4ED5C81, 0x76C9, 0x40BD,
                                              {0x8B, 0xE6, 0xB1, 0xD9, 0x0F, 0xB2, 0x0A, 0xE7}};
// The generic interfaces' own IIDs, which go into the signatures of their
// instances: IAsyncOperation`1 and AsyncOperationCompletedHandler`1.
constexpr Iid kIAsyncOperationGeneric = {0x9FC2B0BB, 0xE446, 0x44E2, {0xAA, 0x61, 0x9C, 0xAB, 0x8F, 0x63, 0x6A, 0xF2}};
constexpr Iid kAsyncOperationCompletedHandlerGeneric = {0xFCDCF02C, 0xE5D8, 0x4478,
                                                        {0x91, 0x5A, 0x4D, 0x90, 0xB7, 0x4B, 0x83, 0xA5}};

// ---- Windows.Networking.Connectivity (windows.networking.connectivity.h) ---
constexpr wchar_t kNetworkInformationClass[] = L"Windows.Networking.Connectivity.NetworkInformation";
constexpr Iid kINetworkInformationStatics = {0x5074F851, 0x950D, 0x4165,
                                             {0x9C, 0x15, 0x36, 0x56, 0x19, 0x48, 0x1E, 0xEA}};
constexpr Iid kIConnectionProfile = {0x71BA143C, 0x598E, 0x49D0, {0x84, 0xEB, 0x8F, 0xEB, 0xAE, 0xDC, 0xC1, 0x95}};

// ---- Windows.Networking.NetworkOperators (windows.networking.networkoperators.h)
constexpr wchar_t kTetheringManagerClass[] = L"Windows.Networking.NetworkOperators.NetworkOperatorTetheringManager";
constexpr wchar_t kAccessPointConfigurationClass[] =
    L"Windows.Networking.NetworkOperators.NetworkOperatorTetheringAccessPointConfiguration";
constexpr wchar_t kOperationResultClass[] =
    L"Windows.Networking.NetworkOperators.NetworkOperatorTetheringOperationResult";
constexpr Iid kINetworkOperatorTetheringManagerStatics2 = {0x5B235412, 0x35F0, 0x49E7,
                                                           {0x9B, 0x08, 0x16, 0xD2, 0x78, 0xFB, 0xAA, 0x42}};
constexpr Iid kINetworkOperatorTetheringManagerStatics3 = {0x8FDAADB6, 0x4AF9, 0x4F21,
                                                           {0x9B, 0x58, 0xD5, 0x3E, 0x9F, 0x24, 0x23, 0x1E}};
constexpr Iid kINetworkOperatorTetheringManager = {0xD45A8DA0, 0x0E86, 0x4D98,
                                                   {0x8B, 0xA4, 0xDD, 0x70, 0xD4, 0xB7, 0x64, 0xD3}};
constexpr Iid kINetworkOperatorTetheringAccessPointConfiguration = {0x0BCC0284, 0x412E, 0x403D,
                                                                    {0xAC, 0xC6, 0xB7, 0x57, 0xE3, 0x47, 0x74, 0xA4}};
constexpr Iid kINetworkOperatorTetheringOperationResult = {0xEBD203A1, 0x01BA, 0x476D,
                                                           {0xB4, 0xB3, 0xBF, 0x3D, 0x12, 0xC8, 0xF8, 0x0C}};

// ---- Parameterized instances, computed (see above) -------------------------
// The result's type in a signature: rc(<runtime class>;<its default interface>).
constexpr char kOperationResultSignature[] =
    "rc(Windows.Networking.NetworkOperators.NetworkOperatorTetheringOperationResult;"
    "{ebd203a1-01ba-476d-b4b3-bf3d12c8f80c})";
// IAsyncOperation<NetworkOperatorTetheringOperationResult>, from
//   pinterface({9fc2b0bb-e446-44e2-aa61-9cab8f636af2};rc(Windows.Networking.
//   NetworkOperators.NetworkOperatorTetheringOperationResult;{ebd203a1-01ba-
//   476d-b4b3-bf3d12c8f80c}))
constexpr Iid kIAsyncOperationOfOperationResult = {0x601B30ED, 0x9B7F, 0x54B6,
                                                   {0xB6, 0x1B, 0x24, 0xA0, 0x9B, 0xC5, 0x63, 0x04}};
// AsyncOperationCompletedHandler<NetworkOperatorTetheringOperationResult>, from
//   pinterface({fcdcf02c-e5d8-4478-915a-4d90b74b83a5};rc(...the same...))
constexpr Iid kAsyncOperationCompletedHandlerOfOperationResult = {0xA936B927, 0x7537, 0x59C6,
                                                                  {0x89, 0xDE, 0x33, 0xF3, 0x6A, 0x97, 0x25, 0xAB}};

// ---- Enumerations (32-bit signed, as every Windows Runtime enum) -----------
enum class OperationalState : std::int32_t { Unknown = 0, On = 1, Off = 2, InTransition = 3 };

enum class OperationStatus : std::int32_t {
  Success = 0,
  Unknown = 1,
  MobileBroadbandDeviceOff = 2,
  WiFiDeviceOff = 3,
  EntitlementCheckTimeout = 4,
  EntitlementCheckFailure = 5,
  OperationInProgress = 6,
  BluetoothDeviceOff = 7,
  NetworkLimitedConnectivity = 8,
};

enum class Capability : std::int32_t {
  Enabled = 0,
  DisabledByGroupPolicy = 1,
  DisabledByHardwareLimitation = 2,
  DisabledByOperator = 3,
  DisabledBySku = 4,
  DisabledByRequiredAppNotInstalled = 5,
  DisabledDueToUnknownCause = 6,
  DisabledBySystemCapability = 7,
};

}  // namespace tethering
}  // namespace lumaret

#pragma once

#include <cstdint>

namespace quellorn::platform {

// Results of platform calls are Win32 error codes on every back end, so the code above the
// platform layer compares the same numbers whether it runs on Windows or on a machine folder.
using Status = std::int32_t;

inline constexpr Status kSuccess = 0;
inline constexpr Status kFileNotFound = 2;                // ERROR_FILE_NOT_FOUND
inline constexpr Status kPathNotFound = 3;                // ERROR_PATH_NOT_FOUND
inline constexpr Status kAccessDenied = 5;                // ERROR_ACCESS_DENIED
inline constexpr Status kInvalidHandle = 6;               // ERROR_INVALID_HANDLE
inline constexpr Status kNotSameDevice = 17;              // ERROR_NOT_SAME_DEVICE
inline constexpr Status kGenFailure = 31;                 // ERROR_GEN_FAILURE
inline constexpr Status kSharingViolation = 32;           // ERROR_SHARING_VIOLATION
inline constexpr Status kNotSupported = 50;               // ERROR_NOT_SUPPORTED
inline constexpr Status kFileExists = 80;                 // ERROR_FILE_EXISTS
inline constexpr Status kInvalidParameter = 87;           // ERROR_INVALID_PARAMETER
inline constexpr Status kDiskFull = 112;                  // ERROR_DISK_FULL
inline constexpr Status kInvalidName = 123;               // ERROR_INVALID_NAME
inline constexpr Status kDirNotEmpty = 145;               // ERROR_DIR_NOT_EMPTY
inline constexpr Status kBadPathname = 161;               // ERROR_BAD_PATHNAME
inline constexpr Status kAlreadyExists = 183;             // ERROR_ALREADY_EXISTS
inline constexpr Status kFilenameTooLong = 206;           // ERROR_FILENAME_EXCED_RANGE
inline constexpr Status kMoreData = 234;                  // ERROR_MORE_DATA
inline constexpr Status kNoMoreItems = 259;               // ERROR_NO_MORE_ITEMS
inline constexpr Status kDirectory = 267;                 // ERROR_DIRECTORY: not a folder
inline constexpr Status kKeyDeleted = 1018;               // ERROR_KEY_DELETED
inline constexpr Status kNotFound = 1168;                 // ERROR_NOT_FOUND
inline constexpr Status kInvalidWindowHandle = 1400;      // ERROR_INVALID_WINDOW_HANDLE
inline constexpr Status kHotKeyAlreadyRegistered = 1409;  // ERROR_HOTKEY_ALREADY_REGISTERED
inline constexpr Status kHotKeyNotRegistered = 1419;      // ERROR_HOTKEY_NOT_REGISTERED
inline constexpr Status kTimeout = 1460;                  // ERROR_TIMEOUT

}  // namespace quellorn::platform

// Virtual-key codes and control-key state bits, with the values key
// definitions and key classes are built on.
#pragma once
#include <cstdint>

namespace tarn::vk {

constexpr uint16_t kBack = 0x08;
constexpr uint16_t kTab = 0x09;
constexpr uint16_t kClear = 0x0C;  // keypad 5 with Num Lock off
constexpr uint16_t kReturn = 0x0D;
constexpr uint16_t kShift = 0x10;
constexpr uint16_t kControl = 0x11;
constexpr uint16_t kMenu = 0x12;  // Alt
constexpr uint16_t kPause = 0x13;
constexpr uint16_t kCapital = 0x14;  // Caps Lock
constexpr uint16_t kEscape = 0x1B;
constexpr uint16_t kSpace = 0x20;
constexpr uint16_t kPrior = 0x21;  // Page Up
constexpr uint16_t kNext = 0x22;   // Page Down
constexpr uint16_t kEnd = 0x23;
constexpr uint16_t kHome = 0x24;
constexpr uint16_t kLeft = 0x25;
constexpr uint16_t kUp = 0x26;
constexpr uint16_t kRight = 0x27;
constexpr uint16_t kDown = 0x28;
constexpr uint16_t kSnapshot = 0x2C;  // Print Screen
constexpr uint16_t kInsert = 0x2D;
constexpr uint16_t kDelete = 0x2E;
constexpr uint16_t k0 = 0x30;  // '0'..'9' are 0x30..0x39
constexpr uint16_t kA = 0x41;  // 'A'..'Z' are 0x41..0x5A
constexpr uint16_t kLWin = 0x5B;
constexpr uint16_t kRWin = 0x5C;
constexpr uint16_t kApps = 0x5D;
constexpr uint16_t kNumpad0 = 0x60;  // ..0x69
constexpr uint16_t kMultiply = 0x6A;
constexpr uint16_t kAdd = 0x6B;
constexpr uint16_t kSeparator = 0x6C;
constexpr uint16_t kSubtract = 0x6D;
constexpr uint16_t kDecimal = 0x6E;
constexpr uint16_t kDivide = 0x6F;
constexpr uint16_t kF1 = 0x70;  // ..F24 = 0x87
constexpr uint16_t kF24 = 0x87;
constexpr uint16_t kNumLock = 0x90;
constexpr uint16_t kScroll = 0x91;
constexpr uint16_t kLShift = 0xA0;
constexpr uint16_t kRShift = 0xA1;
constexpr uint16_t kLControl = 0xA2;
constexpr uint16_t kRControl = 0xA3;
constexpr uint16_t kLMenu = 0xA4;
constexpr uint16_t kRMenu = 0xA5;
constexpr uint16_t kOem1 = 0xBA;       // ;:
constexpr uint16_t kOemPlus = 0xBB;    // =+
constexpr uint16_t kOemComma = 0xBC;   // ,<
constexpr uint16_t kOemMinus = 0xBD;   // -_
constexpr uint16_t kOemPeriod = 0xBE;  // .>
constexpr uint16_t kOem2 = 0xBF;       // /?
constexpr uint16_t kOem3 = 0xC0;       // `~
constexpr uint16_t kOem4 = 0xDB;       // [{
constexpr uint16_t kOem5 = 0xDC;       // \|
constexpr uint16_t kOem6 = 0xDD;       // ]}
constexpr uint16_t kOem7 = 0xDE;       // '"

}  // namespace tarn::vk

namespace tarn::keystate {

constexpr uint32_t kRightAlt = 0x0001;
constexpr uint32_t kLeftAlt = 0x0002;
constexpr uint32_t kRightCtrl = 0x0004;
constexpr uint32_t kLeftCtrl = 0x0008;
constexpr uint32_t kShift = 0x0010;
constexpr uint32_t kNumLock = 0x0020;
constexpr uint32_t kScrollLock = 0x0040;
constexpr uint32_t kCapsLock = 0x0080;
constexpr uint32_t kEnhanced = 0x0100;

constexpr uint32_t kAnyAlt = kRightAlt | kLeftAlt;
constexpr uint32_t kAnyCtrl = kRightCtrl | kLeftCtrl;

}  // namespace tarn::keystate

namespace tarn::mousestate {

// Button state bits; the upper 16 bits carry the signed wheel movement.
constexpr uint32_t kLeftButton = 0x0001;
constexpr uint32_t kRightButton = 0x0002;
constexpr uint32_t kSecondButton = 0x0004;  // second from left (middle)

// Event flags.
constexpr uint32_t kMoved = 0x0001;
constexpr uint32_t kDoubleClick = 0x0002;
constexpr uint32_t kWheeled = 0x0004;

constexpr int kWheelDelta = 120;  // one notch

}  // namespace tarn::mousestate

#pragma once
// The line on a real serial port of this system: QSerialPort where Qt has
// it, Win32's own communications API on Windows (the Qt built for Windows
// here comes without Qt Serial Port). Both take "COM n" as typed by hand.

#ifdef _WIN32
#include "platform/WinSerialLine.h"
namespace torval {
using PortLine = WinSerialLine;
}
#else
#include "platform/QtSerialLine.h"
namespace torval {
using PortLine = QtSerialLine;
}
#endif

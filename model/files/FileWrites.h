#pragma once
// Bytes written to an open file and put on the disk: the one write loop of the file code.
#include <cstdint>
#include <cstdio>
#include <span>
#include <string_view>
#include <system_error>

// Writes every byte of `bytes` at the current position of `descriptor`, however few each write
// takes. False, with the cause, when one failed.
bool WriteAll(int descriptor, std::string_view bytes, std::error_code& error);
// As above, through the buffer of `file`, the pieces one after the other.
bool WritePieces(std::FILE* file, std::span<const std::string_view> pieces, std::error_code& error);
// Copies the first `size` bytes of the file open as `from` to the current position of `to` inside
// the system, the bytes never passing through the process: by a range copy where the file systems
// offer one, else by the kernel's plain copy. False, with the cause, when it failed.
bool CopyBytes(int from, int to, uint64_t size, std::error_code& error);
// Puts what was written to `descriptor` on the disk.
bool PutOnDisk(int descriptor, std::error_code& error);
// Empties the buffer of `file` and puts what was written on the disk; the file stays open.
bool PutOnDisk(std::FILE* file, std::error_code& error);

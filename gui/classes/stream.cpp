#include "gui/classes/stream.h"

#include "gui/classes/exceptions.h"
#include "platform/system/regular_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

// The position a seek asks for, or -1 when it falls before the start.
std::int64_t SeekTarget(std::int64_t offset, TSeekOrigin origin, std::int64_t position,
                        std::int64_t size) {
    const std::int64_t base = origin == soBeginning ? 0 : origin == soCurrent ? position : size;
    const std::int64_t target = base + offset;
    return target < 0 ? -1 : target;
}

// Copies from a block at the position, no further than its end; returns the bytes copied.
std::int64_t ReadBlock(const std::uint8_t* data, std::int64_t size, std::int64_t& position,
                       void* buffer, std::int64_t count) {
    if (count <= 0 || position >= size)
        return 0;
    const std::int64_t n = std::min(count, size - position);
    std::memcpy(buffer, data + position, size_t(n));
    position += n;
    return n;
}

// Reading opens only a regular file, and never waits for a FIFO's writer or a device.
std::FILE* OpenFile(const std::string& fileName, TFileMode mode) {
    if (mode == fmCreate)
        return std::fopen(fileName.c_str(), "wb");
    const int descriptor = platform::OpenRegularFile(fileName);
    if (descriptor < 0)
        return nullptr;
    std::FILE* file = fdopen(descriptor, "rb");
    if (!file) {
        const int error = errno;
        close(descriptor);
        errno = error;
    }
    return file;
}

std::string Reason(int error) {
    return error == ENODEV ? "Not a regular file" : std::strerror(error);
}

} // namespace

std::int64_t TStream::Size() {
    const std::int64_t position = Position();
    const std::int64_t size = Seek(0, soEnd);
    Seek(position, soBeginning);
    return size;
}

void TStream::ReadBuffer(void* buffer, std::int64_t count) {
    if (count != 0 && Read(buffer, count) != count)
        throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, std::int64_t count) {
    if (count != 0 && Write(buffer, count) != count)
        throw EWriteError("Stream write error");
}

std::int64_t TStream::CopyFrom(TStream& source, std::int64_t count) {
    if (count == 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    std::vector<std::uint8_t> buffer(size_t(std::min<std::int64_t>(count, 1 << 16)));
    std::int64_t left = count;
    while (left > 0) {
        const std::int64_t n = std::min<std::int64_t>(left, std::int64_t(buffer.size()));
        source.ReadBuffer(buffer.data(), n);
        WriteBuffer(buffer.data(), n);
        left -= n;
    }
    return count;
}

std::int64_t TMemoryStream::Read(void* buffer, std::int64_t count) {
    return ReadBlock(FBytes.data(), Size(), FPosition, buffer, count);
}

std::int64_t TMemoryStream::Write(const void* buffer, std::int64_t count) {
    if (count <= 0)
        return 0;
    const auto end = size_t(FPosition + count);
    if (end > FBytes.size())
        FBytes.resize(end);
    std::memcpy(FBytes.data() + FPosition, buffer, size_t(count));
    FPosition += count;
    return count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin) {
    const std::int64_t target = SeekTarget(offset, origin, FPosition, Size());
    if (target >= 0)
        FPosition = target;
    return target;
}

void TMemoryStream::Clear() {
    FBytes.clear();
    FPosition = 0;
}

void TMemoryStream::LoadFromFile(const std::string& fileName) {
    TFileStream file(fileName, fmOpenRead);
    Clear();
    CopyFrom(file, 0);
    FPosition = 0;
}

void TMemoryStream::SaveToFile(const std::string& fileName) const {
    TFileStream file(fileName, fmCreate);
    file.WriteBuffer(FBytes.data(), std::int64_t(FBytes.size()));
}

std::int64_t TReadOnlyMemoryStream::Read(void* buffer, std::int64_t count) {
    return ReadBlock(FData, FSize, FPosition, buffer, count);
}

std::int64_t TReadOnlyMemoryStream::Write(const void*, std::int64_t) {
    return 0;
}

std::int64_t TReadOnlyMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin) {
    const std::int64_t target = SeekTarget(offset, origin, FPosition, FSize);
    if (target >= 0)
        FPosition = target;
    return target;
}

TFileStream::TFileStream(const std::string& fileName, TFileMode mode)
    : FFile(OpenFile(fileName, mode)) {
    if (!FFile) {
        const std::string reason = Reason(errno);
        if (mode == fmCreate)
            throw EFCreateError("Cannot create file \"" + fileName + "\". " + reason);
        throw EFOpenError("Cannot open file \"" + fileName + "\". " + reason);
    }
}

TFileStream::~TFileStream() {
    std::fclose(FFile);
}

std::int64_t TFileStream::Read(void* buffer, std::int64_t count) {
    return count <= 0 ? 0 : std::int64_t(std::fread(buffer, 1, size_t(count), FFile));
}

std::int64_t TFileStream::Write(const void* buffer, std::int64_t count) {
    return count <= 0 ? 0 : std::int64_t(std::fwrite(buffer, 1, size_t(count), FFile));
}

std::int64_t TFileStream::Seek(std::int64_t offset, TSeekOrigin origin) {
    const int whence = origin == soBeginning ? SEEK_SET : origin == soCurrent ? SEEK_CUR : SEEK_END;
    if (std::fseek(FFile, long(offset), whence) != 0)
        return -1;
    return std::ftell(FFile);
}

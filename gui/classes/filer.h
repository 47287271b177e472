#pragma once
// The interface through which an object declares its unpublished stream data (see
// TPersistent::DefineProperties). The reader calls back the read procedure of the value it
// meets; the writer calls the write procedure of every value that has data.

#include "gui/classes/stream.h"

#include <functional>
#include <string_view>

class TReader;
class TWriter;

class TFiler {
public:
    using TReaderProc = std::function<void(TReader& reader)>;
    using TWriterProc = std::function<void(TWriter& writer)>;
    using TStreamProc = std::function<void(TStream& stream)>;

    // A value of any form, read and written through the reader's and writer's value
    // functions (ReadInteger, WriteString, ReadListBegin...).
    virtual void DefineProperty(std::string_view name, const TReaderProc& readData,
                                const TWriterProc& writeData, bool hasData) = 0;
    // A block of bytes: readData gets a stream holding exactly the stored bytes; writeData
    // writes the bytes to store into a stream.
    virtual void DefineBinaryProperty(std::string_view name, const TStreamProc& readData,
                                      const TStreamProc& writeData, bool hasData) = 0;

protected:
    ~TFiler() = default;
};

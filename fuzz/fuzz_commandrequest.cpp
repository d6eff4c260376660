// The messages of the program's socket on arbitrary bytes: a request that reads is written back
// as the same request, a reply likewise, and one that does not read says why.
#include "fuzzcheck.h"

#include "session/commandprotocol.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using commandprotocol::Reply;
using commandprotocol::Request;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Every zone has had offsets of whole minutes since 1972, which a line can carry; the
    // machine's own zone must not decide what is found in older moments.
    setenv("TZ", "UTC", 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView line(reinterpret_cast<const char*>(data), qsizetype(size));

    const auto request = commandprotocol::parseRequest(line);
    if (const Request* parsed = std::get_if<Request>(&request)) {
        QByteArray written = commandprotocol::requestLine(*parsed);
        FUZZ_CHECK(written.endsWith('\n') && written.count('\n') == 1);
        written.chop(1);
        const auto again = commandprotocol::parseRequest(written);
        FUZZ_CHECK(std::holds_alternative<Request>(again) && std::get<Request>(again) == *parsed);
    } else {
        FUZZ_CHECK(!std::get<QString>(request).isEmpty());
    }

    if (const std::optional<Reply> reply = commandprotocol::parseReply(line)) {
        QByteArray written = commandprotocol::replyLine(*reply);
        FUZZ_CHECK(written.endsWith('\n') && written.count('\n') == 1);
        written.chop(1);
        FUZZ_CHECK(commandprotocol::parseReply(written) == reply);
    }
    return 0;
}

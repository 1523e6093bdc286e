// iconv-backed CP932 conversion. Each thread keeps its own two converters
// (opening one costs far more than a field's conversion), so the functions
// are safe to call from any thread. ASCII text is the same in both
// encodings and is copied without iconv.
#include "core/util/cp932.h"

#include <cerrno>
#include <iconv.h>

namespace pictra {
namespace {

class IconvHandle {
public:
    IconvHandle(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~IconvHandle()
    {
        if (valid())
            iconv_close(m_cd);
    }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;
    bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return m_cd; }

private:
    iconv_t m_cd;
};

// Length of the UTF-8 sequence that starts with `lead` (1 for invalid leads).
std::size_t utf8SequenceLength(unsigned char lead)
{
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 1;
}

// Length of the CP932 character that starts with `lead`.
std::size_t cp932SequenceLength(unsigned char lead)
{
    return ((lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xFC)) ? 2 : 1;
}

bool isAscii(std::string_view text)
{
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

// This thread's converter for the direction, reset to its initial state.
const IconvHandle& converter(bool toCp932)
{
    thread_local const IconvHandle toCp932Handle("CP932", "UTF-8");
    thread_local const IconvHandle toUtf8Handle("UTF-8", "CP932");
    const IconvHandle& cd = toCp932 ? toCp932Handle : toUtf8Handle;
    if (cd.valid())
        iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
    return cd;
}

Cp932Conversion convert(std::string_view input, bool toCp932)
{
    Cp932Conversion result;
    if (isAscii(input)) {
        result.text = std::string(input);
        return result;
    }
    const IconvHandle& cd = converter(toCp932);
    if (!cd.valid()) {
        result.complete = false;
        result.rejected = std::string(input);
        return result;
    }
    std::string out(input.size() * 4 + 16, '\0');
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    while (inLeft > 0) {
        const std::size_t r = iconv(cd.get(), &in, &inLeft, &outPtr, &outLeft);
        if (r != static_cast<std::size_t>(-1))
            break;
        if (errno == E2BIG) {
            const std::size_t used = static_cast<std::size_t>(outPtr - out.data());
            out.resize(out.size() * 2);
            outPtr = out.data() + used;
            outLeft = out.size() - used;
            continue;
        }
        // EILSEQ or EINVAL: skip one character and report it.
        const auto lead = static_cast<unsigned char>(*in);
        std::size_t skip = toCp932 ? utf8SequenceLength(lead) : cp932SequenceLength(lead);
        if (skip > inLeft)
            skip = inLeft;
        if (result.complete)
            result.rejected.assign(in, skip);
        result.complete = false;
        in += skip;
        inLeft -= skip;
        if (!toCp932) {
            static constexpr char kReplacement[] = "\xEF\xBF\xBD";
            if (outLeft < 3) {
                const std::size_t used = static_cast<std::size_t>(outPtr - out.data());
                out.resize(out.size() * 2 + 3);
                outPtr = out.data() + used;
                outLeft = out.size() - used;
            }
            for (int i = 0; i < 3; ++i)
                *outPtr++ = kReplacement[i];
            outLeft -= 3;
        }
    }
    out.resize(static_cast<std::size_t>(outPtr - out.data()));
    result.text = std::move(out);
    return result;
}

} // namespace

Cp932Conversion utf8ToCp932(std::string_view utf8) { return convert(utf8, true); }

Cp932Conversion cp932ToUtf8(std::string_view cp932) { return convert(cp932, false); }

bool isValidUtf8(std::string_view bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        std::size_t n = utf8SequenceLength(c);
        if (n == 1 && c >= 0x80)
            return false;
        if (i + n > bytes.size())
            return false;
        for (std::size_t k = 1; k < n; ++k) {
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80)
                return false;
        }
        i += n;
    }
    return true;
}

std::string storedPathToUtf8(std::string_view stored)
{
    if (isValidUtf8(stored))
        return std::string(stored);
    return cp932ToUtf8(stored).text;
}

} // namespace pictra

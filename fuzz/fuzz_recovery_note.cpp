// A recovery copy's note on arbitrary bytes: a text that parses is a whole
// note, and writing it out and parsing that again gives the same note.
#include "core/recovery/recovery_copies.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const pictra::Result<pictra::RecoveryNote> note = pictra::parseRecoveryNote(text);
    if (!note)
        return 0;
    const pictra::Result<pictra::RecoveryNote> again = pictra::parseRecoveryNote(pictra::recoveryNoteText(*note));
    if (!again || !(*again == *note))
        __builtin_trap();
    return 0;
}

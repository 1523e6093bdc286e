// A bound on every SANE call, for test runs: when the environment variable
// PICTRA_SANE_CALL_LIMIT holds a number of seconds, a call into a backend
// that has not returned by then ends the process with the call's name on
// stderr, so a backend that hangs fails its test at once instead of holding
// the run until the test driver's own limit.
#pragma once

namespace pictra {

inline constexpr const char* kSaneCallLimitVariable = "PICTRA_SANE_CALL_LIMIT";

// Marks one SANE call from its construction to its destruction.
class SaneCall {
public:
    explicit SaneCall(const char* name);
    ~SaneCall();
    SaneCall(const SaneCall&) = delete;
    SaneCall& operator=(const SaneCall&) = delete;

private:
    bool m_watched = false;
};

} // namespace pictra

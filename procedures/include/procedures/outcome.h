// What a text procedure reports beside its argument slots: whether it failed,
// and which message box it showed then. The driver learns of a failure from
// this value alone; a failed procedure has already told the user (or, where
// it shows no box, left its marker text in a slot as well).
#pragma once

#include "model/messages.h"

#include <string>
#include <string_view>

namespace lw {

struct ProcedureOutcome {
    bool failed = false;
    std::string shown; // text of the box shown on failure; empty when none was

    static ProcedureOutcome done() { return {}; }
    // A failure that shows no box (the procedure leaves a marker text).
    static ProcedureOutcome failedSilently() { return {true, {}}; }
    // Shows the box, then reports the failure with its text.
    static ProcedureOutcome showing(MessageSink& messages, MessageIcon icon,
                                    std::string_view text) {
        std::string t(text);
        messages.showMessage(icon, t);
        return {true, std::move(t)};
    }
    // The computation error message: a numeric fault ended the procedure.
    static ProcedureOutcome computationError(MessageSink& messages) {
        return showing(messages, MessageIcon::Critical, kComputationErrorText);
    }

    // Procedures run one after the other: the row failed when one of them did;
    // the first box shown is the one kept.
    ProcedureOutcome& operator+=(const ProcedureOutcome& later) {
        if (later.failed && !failed)
            shown = later.shown;
        failed = failed || later.failed;
        return *this;
    }
};

} // namespace lw

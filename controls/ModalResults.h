#pragma once
// How a modal dialog ends: the number a button hands to QDialog::done() and
// the dialog's exec() returns. Numbered as the classic dialog results, since
// forms store a button's ModalResult as this number and the reminder check
// reads the reminder dialog's answer as one.
//
// Free of Qt so the reminder check, which must run without a display, reads
// the dialog's answers by the same names the buttons give them. The bitmap
// button derives from this struct, so the names read TBitBtnXP::mrOk there.

struct ModalResults {
    enum TModalResult : int {
        mrNone = 0, // no result yet: the dialog goes on
        mrOk = 1,
        mrCancel = 2,
        mrAbort = 3,
        mrRetry = 4,
        mrIgnore = 5,
        mrYes = 6,
        mrNo = 7,
        mrAll = 8,
    };
};

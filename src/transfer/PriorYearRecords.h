#pragma once

#include <QByteArray>

// Last year's records become this year's: the identity, address, contact
// and signer fields are carried at their offsets into a record of zero
// bytes, everything else (amounts, totals, codes, dates) starts empty. A
// text's length byte larger than its slot is lowered to the slot's size, and
// only that many characters are copied; the stale characters after a
// text's length are not carried.

// The new employer record from the first employer-record-size bytes of
// LastYear (which must hold that many).
QByteArray CarryEmployer(const QByteArray &LastYear);

// The new employee file from last year's: one new record for each whole
// record, in file order, blank ones included; bytes after the last whole
// record are left out. A file without a whole record gives one blank record,
// as every employee file holds at least one.
QByteArray CarryEmployees(const QByteArray &LastYearFile);

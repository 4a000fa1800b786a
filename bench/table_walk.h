#pragma once
// A table page's read of the forwarding table: the catalogue's "Unicast Forwarding
// Information" page, as the main menu opens it, fills its list view, one get-next exchange
// per row.

#include "snmp/profile.h"

struct TableWalkResult {
    bool ok = false;
    QString error;
    double seconds = 0;  // from the start of the read to the binding's completion
    int rows = 0;
    double longestStallMs = -1;  // when watched
    double longestStallEndMs = -1;  // when it ended, from the start of the read
};

struct TableWalkOptions {
    // Shown, the page reads on opening, as for the user; hidden, its read is started directly.
    bool showPage = true;
    bool watchEventLoop = false;  // measure the longest stall of the event loop
};

TableWalkResult WalkForwardingTable(const QxSNMPProfile& profile, const TableWalkOptions& options);

#pragma once
// A table page's read of the forwarding table: the binding of the catalogue's "Unicast
// Forwarding Information" page fills its list view, one get-next exchange per row.

#include "snmp/profile.h"

struct TableWalkResult {
    bool ok = false;
    QString error;
    double seconds = 0;  // from Get to the completion handler
    int rows = 0;
    double longestStallMs = -1;  // when watched
};

struct TableWalkOptions {
    bool showPage = true;          // the page's window is shown while it fills
    bool watchEventLoop = false;   // measure the longest stall of the event loop
};

TableWalkResult WalkForwardingTable(const QxSNMPProfile& profile, const TableWalkOptions& options);

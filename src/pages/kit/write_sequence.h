#pragma once
// Pages whose one button writes several groups of objects (a row and then its ports, a mode and
// then its settings) run the writes through here: one after the other and synchronously, each
// leaving out the objects the page names; the first refusal ends the sequence and is the status
// line; then one read shows what the device holds. A write that would carry no object is never
// sent, and when none is left the page's "nothing chosen" text is the status line.

#include <QString>
#include <vector>

class QxSNMPRequest2Controls;
class QxSNMPRequest2Edits;

struct WriteStep {
    QxSNMPRequest2Edits* binding = nullptr;
    std::vector<int> excluded;  // positions in the binding's list left out of this write
};

struct WriteSequence {
    std::vector<WriteStep> steps;
    // Read once after the writes (also after a refusal); none reads nothing.
    QxSNMPRequest2Controls* reread = nullptr;
    // The status line when no step has an object to write.
    QString nothingChosen;
};

// True when every step that carried objects was answered without error. A step refused before
// anything ran (a read still running) leaves the others unsent.
bool RunWriteSequence(const WriteSequence& sequence);

#pragma once
// What the question about an inserted card may offer beside opening it: a backup of the
// card. Browsing only asks for it; the backup itself and its setting live with the tools.

#include <QString>

#include <functional>

struct CardBackupOffer {
    // Read at each question, as the setting may change between two cards.
    std::function<bool()> isOffered;
    // Backs up the card mounted at the volume.
    std::function<void(const QString& volume)> backUp;

    bool offered() const { return isOffered && backUp && isOffered(); }
};

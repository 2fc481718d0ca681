#pragma once

#include "core/setsearch/set_search_query.h"

#include <QWidget>

namespace trelkin {

// What the player has narrowed the set search to: each left-out or pinned piece name as a button that takes it
// away again, and "すべて解除" for all of them. Hidden while there is nothing narrowed.
class NarrowingStrip : public QWidget {
    Q_OBJECT
public:
    explicit NarrowingStrip(QWidget* parent = nullptr);

    // Shows the query's left-out and pinned names.
    void show(const SetSearchQuery& query);

signals:
    // The player takes a name away: from the slot's left-out names, or from its pinned ones.
    void removed(ArmourSlot slot, const std::string& name, bool pinned);
    void clearedAll();

private:
    void addChip(ArmourSlot slot, const std::string& name, bool pinned);
};

} // namespace trelkin

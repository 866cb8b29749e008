#pragma once

#include <QList>

// The selected fields of the design page by Tag, in the order they were selected. The first
// entry is the reference of alignment.
class DesignSelection
{
public:
    const QList<int> &tags() const { return m_tags; }
    bool isEmpty() const { return m_tags.isEmpty(); }
    int size() const { return int(m_tags.size()); }
    bool contains(int tag) const { return m_tags.contains(tag); }
    // The first-selected Tag; -1 when nothing is selected.
    int first() const { return m_tags.isEmpty() ? -1 : m_tags.first(); }

    // Adds `tag` at the end unless it is already selected (it keeps its place then).
    void add(int tag);
    void remove(int tag);
    void clear() { m_tags.clear(); }

    // A press on the field `tag`: with Shift it toggles the field, without it the field becomes
    // the only one selected.
    void press(int tag, bool shift);

    bool operator==(const DesignSelection &other) const = default;

private:
    QList<int> m_tags;
};

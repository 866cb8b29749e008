#include "core/listedit/ListEditButtonStates.h"

ListEditButtonStates ListEditButtonStatesFor(DataSet::State state, bool empty)
{
    const bool browsing = state == DataSet::State::Browse;
    const bool editing = state == DataSet::State::Edit || state == DataSet::State::Insert;
    ListEditButtonStates states;
    states.newRecord = browsing;
    states.save = editing;
    states.cancel = editing;
    states.edit = browsing && !empty;
    states.remove = browsing && !empty;
    states.exit = !editing;
    return states;
}

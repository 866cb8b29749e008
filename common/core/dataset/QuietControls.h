#pragma once

#include "core/dataset/DataSet.h"

// Keeps the bound controls of a data set quiet while it lives, also when an error ends the work.
class QuietControls
{
public:
    explicit QuietControls(DataSet &dataSet) : m_dataSet(dataSet) { m_dataSet.disableControls(); }
    ~QuietControls() { m_dataSet.enableControls(); }
    QuietControls(const QuietControls &) = delete;
    QuietControls &operator=(const QuietControls &) = delete;

private:
    DataSet &m_dataSet;
};

#pragma once

// Frame of a currency control: none, or a single one (a one-pixel black line, or a sunken
// two-pixel edge with the 3-D look).
enum class TavBorderStyle { None, Single };

// Vertical placement of the texts in the cells.
enum class TavTextLayout { Top, Center, Bottom };

#pragma once

// "确认删除？" in a box captioned "确认" with OK and Cancel; true for OK.
bool ConfirmDeleteBox();

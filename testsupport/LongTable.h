#pragma once

// The long table `t` (id, name "r<i>", amount, pieces) with `rows` rows in the open database
// (CurAdo): amounts have cents and repeat, so sums are not round and a sort has ties.
void CreateLongTable(int rows);

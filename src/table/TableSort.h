#pragma once

class DataTable;

enum class SortKey { X, Y };

// Puts the points into ascending order of the key column, carrying the other value along.
// Equal keys keep their order (the order of a straight insertion sort). Every X and Y cell is
// rewritten in plain form, so text that is no number becomes 0; point numbers stay where
// they are. Throws AppError when a cell holds a number too large for a double; the table is
// then unchanged.
void SortPoints(DataTable& table, SortKey key);

// Removes every point that repeats the point just above it, comparing X and Y in single
// precision (values beyond its range in double precision), and renumbers the points in plain
// form. Run on a sorted table. Returns how many points were removed.
int RemoveRepeatedNeighbours(DataTable& table);

// Whether two values are the same once stored as floats.
bool SameInSinglePrecision(double a, double b);

// Whether one person descends from another through the father and mother groups: the check that
// keeps family editing from making anyone their own ancestor.
#pragma once

namespace kinvale {

class FamilyIndex;

// True when the person numbered ancestor is a parent, grandparent, ... of the person numbered
// descendant. Each person is visited once, so cyclic data ends the walk.
bool DescendsFrom(const FamilyIndex& index, int descendant, int ancestor);

}  // namespace kinvale

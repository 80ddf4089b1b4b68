#pragma once
// The skinned controls draw themselves, so Qt's accessibility framework cannot tell what they
// are: this factory gives screen readers and desktop automation the role, name, state and
// actions of the check boxes, drop-downs, sliders, lists (with their rows) and the calendar
// (with its days). The skinned buttons are Qt buttons already and name themselves after their
// tool tips. Installed at start-up; a second call does nothing.

void pmInstallSkinnedAccessibility();

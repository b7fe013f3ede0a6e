// The cores this process may run on: its affinity, not the machine's count
// (a process held to one core by taskset or a cgroup gains nothing from a
// second thread). At least 1.
#pragma once

int UsableCores();

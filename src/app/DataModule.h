#pragma once

class Tdm;

// The data module of the running program: opened first at start, alive
// until the end. Null while no tables are open (tests without tables).
extern Tdm* dm;

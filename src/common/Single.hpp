#pragma once

// Every number of the design is stored in single precision on purpose: the
// results must match, bit for bit, what the analysis gives when each named
// quantity is rounded to a float as it is computed. Intermediates inside one
// step are carried as Wide.
using Single = float;
using Wide = double;

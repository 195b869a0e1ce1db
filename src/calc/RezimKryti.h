#pragma once

namespace lineon {

/// Whether a cover is measured from the top of the pipe, so that the diameter is subtracted:
/// "Zobrazovat krytí (měřit od vrchu potrubí)" (0) and "Nezobrazovat krytí" (2) do, "měřit od spodu
/// potrubí" (1) does not. A stored value outside 0..2 stands for the first choice, as the outputs
/// dialog shows it.
inline bool KrytiOdVrchuPotrubi(int zobrazeniKryti)
{
    return zobrazeniKryti != 1;
}

} // namespace lineon

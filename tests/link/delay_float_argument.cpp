// Must not link with GNU delay-import libraries: VarR8Round takes a double,
// which the delay thunk would clobber on the first call.
#include <windows.h>
#include <oleauto.h>

int main()
{
    double rounded = 0;
    return VarR8Round(1.5, 0, &rounded) == S_OK ? 0 : 1;
}

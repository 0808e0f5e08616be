#pragma once
// The program's flat hint style and timing: hints show after 500 ms, at once
// when moving on from a control whose hint is showing, and hide after 5 s;
// a hint wider than 200 pixels wraps into lines of that width.
namespace Dicas {
void instala();
}

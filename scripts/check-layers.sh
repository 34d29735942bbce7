#!/usr/bin/env bash
# Checks who may include whom. Each layer sees only those below it:
#   framework core -> (nothing of ours but itself)
#   helpers        -> framework, and the board through the board wrappers only
#   model          -> helpers, framework, the kernel's public headers (not its port)
#   guicontrols    -> model, helpers, framework
#   gui            -> guicontrols, model, helpers, framework
# The simulator, tests, fuzz targets, benchmarks and tools are programs on top of it all.
# Prints every broken rule and exits 1 if there is one.
set -uo pipefail
cd "$(dirname "$0")/.."

broken=0

# forbid <folder> <pattern of an included path> <why>
forbid() {
    local folder=$1 pattern=$2 why=$3
    [ -d "$folder" ] || return 0
    local hits
    hits=$(grep -rnE --include='*.hpp' --include='*.cpp' --include='*.h' --include='*.c' \
        "^[[:space:]]*#[[:space:]]*include[[:space:]]*[<\"]($pattern)" "$folder" || true)
    local exception
    for exception in "${allowed[@]}"; do
        hits=$(echo "$hits" | grep -v -F "$exception" || true)
    done
    if [ -n "$hits" ]; then
        echo "$why:"
        echo "$hits" | sed 's/^/    /'
        broken=1
    fi
}

allowed=()

forbid framework/include/quillon "platform/|rtos/|model/|helpers/|guicontrols/|gui/|simulator/|assets/" \
    "The framework's public headers include no renderer, kernel, board or application header"
forbid framework/source/quillon "platform/|rtos/|model/|helpers/|guicontrols/|gui/|simulator/|assets/" \
    "The framework's core includes no concrete renderer, host, kernel, board or application header"

allowed=("helpers/BoardWrappers.cpp:")
forbid helpers "rtos/|model/|guicontrols/|gui/|simulator/|platform/|assets/" \
    "The helpers are a leaf below the model and the GUI (the board only through the board wrappers)"

allowed=()
forbid model "guicontrols/|gui/|simulator/|platform/|kernel/port|port/" \
    "The model includes no GUI, board, renderer or kernel-port header"
forbid guicontrols "gui/|simulator/|kernel/port|port/|rtos/" \
    "The widget library includes no shell, board, kernel or kernel-port header"
forbid gui "simulator/|kernel/port|port/" \
    "The application shell includes no board or kernel-port header"
forbid kernel/source "pthread|semaphore|signal\.h|port/host" \
    "The portable kernel sees no host thread header"

# The model's library chooses no port: the programs do.
if grep -qE 'rtos_port_host' model/CMakeLists.txt 2>/dev/null; then
    echo "model/CMakeLists.txt links the kernel's host port; link rtos_kernel and let programs choose the port"
    broken=1
fi

if [ "$broken" -ne 0 ]; then
    exit 1
fi
echo "layers: every include rule holds"

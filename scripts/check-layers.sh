#!/usr/bin/env bash
# Checks who may include whom. Each layer sees only those below it:
#   framework core -> (nothing of ours but itself)
#   helpers        -> framework, and the board through the board wrappers only
#   model          -> helpers, framework, the kernel's public headers (not its port)
#   guicontrols    -> model, helpers, framework
#   gui            -> guicontrols, model, helpers, framework; inside it, screens and popups reach
#                     the shell through gui/shell only, screens the model through their presenters,
#                     and no folder includes one that includes it back
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
# Screens and popups reach the shell through gui/shell/ShellContext.hpp only; screens read the
# model through their presenters, not through the model's singleton.
forbid gui/screens "gui/app/" \
    "Screens include nothing of gui/app/: the shell context carries what they need of the shell"
forbid gui/popups "gui/app/" \
    "Popups include nothing of gui/app/: the shell context carries what they need of the shell"
singleton=$(grep -rnE --include='*.hpp' --include='*.cpp' 'DataModelManager::getInstance|ShellContext::current\(\)\.model' gui/screens || true)
if [ -n "$singleton" ]; then
    echo "Screens take the model from their presenter, not from the model's singleton or the shell context:"
    echo "$singleton" | sed 's/^/    /'
    broken=1
fi
forbid kernel/source "pthread|semaphore|signal\.h|port/host" \
    "The portable kernel sees no host thread header"

# No folder of gui/ includes, directly or through others, a folder that includes it back.
gui_folders=$(find gui -mindepth 1 -maxdepth 1 -type d -printf '%f\n' | sort)
declare -A uses
for folder in $gui_folders; do
    uses[$folder]=$(grep -rhoE --include='*.hpp' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include[[:space:]]*"gui/[A-Za-z0-9_]+/' \
        "gui/$folder" | sed -E 's#.*"gui/##; s#/$##' | sort -u | grep -vx "$folder" | tr '\n' ' ')
done
for folder in $gui_folders; do
    reached=" "
    pending="${uses[$folder]}"
    while [ -n "${pending// /}" ]; do
        next=""
        for other in $pending; do
            case "$reached" in *" $other "*) continue ;; esac
            reached="$reached$other "
            next="$next ${uses[$other]:-}"
        done
        pending=$next
    done
    case "$reached" in
    *" $folder "*)
        echo "gui/$folder includes a folder that includes it back (it uses: ${uses[$folder]})"
        broken=1
        ;;
    esac
done

# The model's library chooses no port: the programs do.
if grep -qE 'rtos_port_host' model/CMakeLists.txt 2>/dev/null; then
    echo "model/CMakeLists.txt links the kernel's host port; link rtos_kernel and let programs choose the port"
    broken=1
fi

if [ "$broken" -ne 0 ]; then
    exit 1
fi
echo "layers: every include rule holds"

#!/usr/bin/env bash
# Fails when a file includes from a layer above its own. The layers, bottom to top:
# model (the schedule's rules), storage (files and cards), document (the schedule being
# edited), ui (the windows). A layer may include its own folder and those below it, and only
# ui may include wx. Within ui, each folder may include only the folders it is built on
# (ui/CMakeLists.txt draws the same lines), and every folder there must be one of them.
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

layers=(model storage document ui)
status=0
for ((i = 0; i < ${#layers[@]}; i++)); do
  above=("${layers[@]:i+1}")
  [ ${#above[@]} -eq 0 ] && continue
  pattern="#[[:space:]]*include[[:space:]]*\"($(IFS='|'; echo "${above[*]}"))/"
  if hits=$(grep -rnE "$pattern" "${layers[i]}" --include='*.h' --include='*.cpp' --include='*.in'); then
    echo "${layers[i]}/ includes from a layer above it:" >&2
    echo "$hits" >&2
    status=1
  fi
done
# Only the windows use the toolkit.
if hits=$(grep -rnE '#[[:space:]]*include[[:space:]]*[<"]wx/' model storage document); then
  echo "wx headers below ui/:" >&2
  echo "$hits" >&2
  status=1
fi

# The folders of ui/ and the ones each may include besides its own.
declare -A builds_on=(
  [common]=""
  [week_strip]="common"
  [printing]="common week_strip"
  [dialogs]="common"
  [main_window]="common week_strip printing dialogs"
  [app]="common week_strip printing dialogs main_window"
)
for dir in ui/*/; do
  folder=$(basename "$dir")
  [ "$folder" = icons ] && continue
  if [ -z "${builds_on[$folder]+set}" ]; then
    echo "ui/$folder/ is not one of ui's folders (scripts/check-layers.sh lists them)" >&2
    status=1
    continue
  fi
  allowed="$folder ${builds_on[$folder]}"
  while IFS= read -r hit; do
    [ -z "$hit" ] && continue
    included=$(sed -E 's#.*"ui/([a-z_]+)/.*#\1#' <<<"$hit")
    if ! grep -qw "$included" <<<"$allowed"; then
      echo "ui/$folder/ includes from ui/$included/, which it is not built on: $hit" >&2
      status=1
    fi
  done < <(grep -rnE '#[[:space:]]*include[[:space:]]*"ui/' "$dir" --include='*.h' --include='*.cpp' --include='*.in' || true)
done
if hits=$(ls ui/*.h ui/*.cpp 2>/dev/null); then
  echo "sources at the top of ui/ belong in one of its folders:" >&2
  echo "$hits" >&2
  status=1
fi

[ $status -eq 0 ] && echo "Layers: no include runs up a layer."
exit $status

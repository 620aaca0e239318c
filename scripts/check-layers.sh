#!/usr/bin/env bash
# Fails when a file includes from a layer above its own. The layers, bottom to top:
# model (the schedule's rules), storage (files and cards), document (the schedule being
# edited), ui (the windows). A layer may include its own folder and those below it, and only
# ui may include wx.
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
[ $status -eq 0 ] && echo "Layers: no include runs up a layer."
exit $status

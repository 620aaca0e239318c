#!/usr/bin/env bash
# The translation catalogs in po/:
#   po.sh template [FILE]  extract the texts of the sources into FILE (po/dvr-config.pot)
#   po.sh merge            the template, then every catalog brought up to it with msgmerge
#   po.sh check            fail when the template is not what the sources give, or when a
#                          catalog lacks a translation, holds a fuzzy one or does not compile
set -euo pipefail
cd "$(dirname "$0")/.."
template=po/dvr-config.pot

# The windows' and the model's texts, then the desktop entry's and the metainfo's. Files
# without line numbers, so that the template changes only when a text does.
extract() {
  local out=$1
  local sources
  mapfile -t sources < <(ls ui/*/*.cpp ui/*/*.h model/*.cpp model/*.h | LC_ALL=C sort)
  xgettext --from-code=UTF-8 --language=C++ --add-comments=TRANSLATORS --add-location=file \
    -k_ -kwxTRANSLATE -kwxPLURAL:1,2 -kwxGetTranslation -kTr -kTrPlural:1,2 -kTrInContext:1c,2 -kN_ -kNC_:1c,2 -kwxGETTEXT_IN_CONTEXT:1c,2 \
    --package-name=dvr-config --copyright-holder="the dvr-config developers" --msgid-bugs-address=dvr-config@users.noreply.github.com \
    -o "$out" "${sources[@]}"
  xgettext --join-existing --add-location=file --package-name=dvr-config \
    --msgid-bugs-address=dvr-config@users.noreply.github.com -o "$out" \
    data/io.github.dvrconfig.dvrconfig.desktop data/io.github.dvrconfig.dvrconfig.metainfo.xml
}

# A template's texts, without the date it was made.
texts() { grep -v '^"POT-Creation-Date:' "$1"; }

case "${1:-}" in
  template)
    extract "${2:-$template}"
    ;;
  merge)
    extract "$template"
    for lang in $(cat po/LINGUAS); do
      msgmerge --quiet --update --backup=none --add-location=file "po/$lang.po" "$template"
    done
    ;;
  check)
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    extract "$work/current.pot"
    if ! diff <(texts "$template") <(texts "$work/current.pot") >"$work/diff"; then
      cat "$work/diff"
      echo "po/dvr-config.pot is out of date: run 'bash scripts/po.sh merge' and translate what it adds" >&2
      exit 1
    fi
    failed=0
    for lang in $(cat po/LINGUAS); do
      msgmerge --quiet --add-location=file -o "$work/$lang.po" "po/$lang.po" "$template"
      stats=$(msgfmt --check --statistics -o /dev/null "$work/$lang.po" 2>&1) || { echo "$stats" >&2; failed=1; }
      echo "$lang: $stats"
      if grep -qE 'fuzzy|untranslated' <<<"$stats"; then
        echo "po/$lang.po is not complete" >&2; failed=1
      fi
    done
    exit $failed
    ;;
  *)
    sed -n '2,6p' "$0" >&2
    exit 2
    ;;
esac

# bash completion for velkaro-cli                                    -*- shell-script -*-
#
# The commands, their positionals and options come from the program itself
# ("velkaro-cli --commands", one tab-separated line a command: name, positionals, options,
# a value option as --name=VALUE), so this file never lists a command of its own. FILE.xv7
# completes competition files, FILE and SOURCE any file, a VALUE of a|b|c its choices, the
# NUMBER of "group switch" the group numbers of the competition already on the line.

_velkaro_cli()
{
    local cur prev words cword split
    _init_completion -s || return

    local prog=${words[0]} tabel
    tabel=$("$prog" --commands 2>/dev/null) || return

    # The words before the cursor, without --lang and its value (they may stand anywhere).
    local -a w=()
    local i
    for ((i = 1; i < cword; i++)); do
        case ${words[i]} in
            --lang) ((i++)) ;;
            --lang=*) ;;
            *) w+=("${words[i]}") ;;
        esac
    done

    # The command on the line: two words ("group list") before one ("info").
    local naam="" posities="" opties="" n=0 regel
    local -a velden
    while IFS= read -r regel; do
        IFS=$'\t' read -r -a velden <<<"$regel"
        [[ -z ${velden[0]} ]] && continue
        if [[ ${#w[@]} -ge 2 && ${velden[0]} == "${w[0]} ${w[1]}" ]]; then
            naam=${velden[0]} posities=${velden[1]} opties=${velden[2]} n=2
            break
        fi
        if [[ $n -eq 0 && ${#w[@]} -ge 1 && ${velden[0]} == "${w[0]}" ]]; then
            naam=${velden[0]} posities=${velden[1]} opties=${velden[2]} n=1
        fi
    done <<<"$tabel"

    # Without a command yet: the program's own options and the command words.
    if [[ -z $naam ]]; then
        local algemeen
        algemeen=$(sed -n '1s/^\t\t//p' <<<"$tabel")
        if [[ $prev == --lang ]]; then
            local keuzes
            keuzes=$(sed -n 's/.*--lang=\([^ ]*\).*/\1/p' <<<"$algemeen")
            COMPREPLY=($(compgen -W "${keuzes//|/ }" -- "$cur"))
            return
        fi
        if [[ $cur == -* ]]; then
            COMPREPLY=($(compgen -W "$(sed 's/=[^ ]*//g' <<<"$algemeen")" -- "$cur"))
            return
        fi
        local -a namen
        mapfile -t namen < <(cut -f1 <<<"$tabel" | sed '/^$/d')
        if [[ ${#w[@]} -eq 0 ]]; then
            COMPREPLY=($(compgen -W "$(printf '%s\n' "${namen[@]%% *}" | sort -u)" -- "$cur"))
        elif [[ ${#w[@]} -eq 1 ]]; then
            COMPREPLY=($(compgen -W "$(printf '%s\n' "${namen[@]}" |
                sed -n "s/^${w[0]} //p")" -- "$cur"))
        fi
        return
    fi

    local -a positie=($posities) optie=($opties)

    # The value of an option: its choices, a file, or nothing to offer.
    local o
    for o in "${optie[@]}"; do
        if [[ $prev == -* && $o == "$prev="* ]]; then
            _velkaro_cli_waarde "${o#*=}"
            return
        fi
    done
    $split && return

    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "${optie[*]%%=*}" -- "$cur"))
        return
    fi

    # Which positional the cursor is on: the words after the command that are no option
    # nor an option's value.
    local k=0 woord vorigeWaarde=0 bestand=""
    for woord in "${w[@]:n}"; do
        if ((vorigeWaarde)); then
            vorigeWaarde=0
        elif [[ $woord == -* && $woord != *=* && " ${optie[*]} " == *" $woord="* ]]; then
            vorigeWaarde=1
        elif [[ $woord != -?* ]]; then
            [[ $k -eq 0 ]] && bestand=$woord
            ((k++))
        fi
    done
    [[ $k -ge ${#positie[@]} ]] && return

    local soort=${positie[k]}
    if [[ $naam == "group switch" && $soort == NUMBER && -n $bestand ]]; then
        bestand=$(dequote "$bestand")
        bestand=${bestand/#\~/$HOME}
        [[ -f $bestand && ${bestand,,} == *.xv7 ]] || return
        COMPREPLY=($(compgen -W "$("$prog" group list "$bestand" 2>/dev/null |
            sed -n 's/^[* ] *\([0-9][0-9]*\) - .*/\1/p')" -- "$cur"))
        return
    fi
    _velkaro_cli_waarde "$soort"
}

# Completes one value named VALUE, FILE.xv7, FILE, a|b|c ...
_velkaro_cli_waarde()
{
    case $1 in
        *.xv7) _filedir xv7 ;;
        FILE | SOURCE | OUT | OUT.*) _filedir ;;
        *[A-Z,.]* | '') ;;
        *\|*) COMPREPLY=($(compgen -W "${1//|/ }" -- "$cur")) ;;
    esac
}

complete -F _velkaro_cli velkaro-cli

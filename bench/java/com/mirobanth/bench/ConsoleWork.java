package com.mirobanth.bench;

import java.time.LocalDate;
import java.time.format.DateTimeFormatter;
import java.util.Map;
import java.util.TreeMap;
import java.util.regex.Matcher;
import java.util.regex.Pattern;
import java.util.stream.Collectors;
import java.util.stream.IntStream;

/** A console program that does a little of what such programs do: dates, patterns, streams. */
public final class ConsoleWork {
    private ConsoleWork() {}

    public static void main(String[] args) {
        Pattern entry = Pattern.compile("(\\w+)=(\\d+)");
        Map<String, Integer> totals = new TreeMap<>();
        Matcher matcher = entry.matcher("alpha=3 beta=5 alpha=4 gamma=1");
        while (matcher.find()) {
            totals.merge(matcher.group(1), Integer.parseInt(matcher.group(2)), Integer::sum);
        }
        String squares = IntStream.rangeClosed(1, 5).mapToObj(i -> String.valueOf(i * i))
                .collect(Collectors.joining(","));
        String day = LocalDate.of(2024, 2, 29).format(DateTimeFormatter.ISO_LOCAL_DATE);
        System.out.println(String.format("%s %s %s", totals, squares, day));
    }
}
